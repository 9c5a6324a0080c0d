# Records of about 100,000 characters: list entries, CCN header and data
# records, and the labelled records of a particle-sizer export. Fields take
# their first characters; the last date and time come from the whole record.
chars() { head -c "$1" /dev/zero | tr '\0' "$2"; }
repeated() { yes "$1" | head -n "$2" | tr '\n' '\t'; }
{
  printf 'smps_long.txt'; chars 100000 ' '; printf '\n'
  printf 'ccn_long.txt'; chars 52 ' '; chars 100000 'z'; printf '\r\n'
} > list.txt
{
  printf 'Sample File\t'; chars 100000 'S'; printf '\r\n'
  printf 'DMA Type\tlong column\r\n'
  printf 'Sample #\t'; repeated 1 11110; printf '\r\n'
  printf 'Date\t'; repeated 05/20/05 11110; printf '05/21/05  \0 \r\n'
  printf 'Start Time\t'; repeated 09:00:00 11110; printf '18:30:00\r\n'
  printf 'Scan Up Time(s)\t90'; chars 100000 '\t'; printf '\r\n'
  printf 'Retrace Time(s)\t5'; chars 100000 ' '; printf '\r\n'
  printf 'Sample Length(s)\t'; chars 100000 '9'; printf '\r\n'
  printf 'Scans Per Sample\t3 '; chars 100000 '7'; printf '\r\n'
  printf '14.1\t'; repeated 12.5 20000; printf '\r\n'
} > smps_long.txt
{
  chars 100000 'x'; printf '\n'
  printf 'Date: 05/20/05 '; chars 100000 '-'; printf '\n'
  printf 'Firmware: 3.1.7\n'
  printf 'Interval(s): 1\n'
  printf 'Columns: Time, SS set, Temp set, dT set, Sample flow, CCN conc\n'
  printf 'Comment: '; chars 100000 'c'; printf '\n'
  printf '11:00:00,0.30,25.0,5.00,'; repeated 0.50, 20000; printf '\n'
  printf '11:00:01,0.30,25.0,5.00,0.50,700\n'
  printf '11:00:02,0.60,25.0,8.00,'; chars 100000 ' '; printf '\n'
  printf '11:00:03,0.60,25.0,8.00,0.50,900\n'
} > ccn_long.txt
