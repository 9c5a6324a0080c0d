# Date and time records longer than their 3000-character field: the first value
# is looked for in the field, the last one in the whole record.
blanks() { head -c "$1" /dev/zero | tr '\0' ' '; }
settings() {
  printf 'Scan Up Time(s)\t300\r\nRetrace Time(s)\t4\r\nSample Length(s)\t360\r\n'
  printf 'Scans Per Sample\t1\r\nDiameter(nm)\tS1\r\n14.1\t120.5\r\n'
}
# 400 samples with unpadded dates and AM/PM times; a value straddles column 3000.
{
  printf 'Sample File\tlong_0219.txt\r\nDMA Type\tlong column\r\n'
  printf 'Date'
  i=1; while [ $i -lt 400 ]; do printf '\t2/19/2025'; i=$((i + 1)); done
  printf '\t2/20/2025\r\n'
  printf 'Start Time\t9:05:00 AM'
  i=2; while [ $i -lt 400 ]; do printf '\t3:00:00 PM'; i=$((i + 1)); done
  printf '\t11:59:00 PM\r\n'
  settings
} > long_0219.txt
# The first date starts in column 2994 and runs on past column 3000: the field
# holds "2/19/20" of it.
{
  printf 'Sample File\tcut_first.txt\r\nDMA Type\tlong column\r\n'
  printf 'Date'; blanks 2989; printf '2/19/2025\t2/20/2025\r\n'
  printf 'Start Time\t6:00:00\t6:30:00\r\n'
  settings
} > cut_first.txt
# A date and a time cut at column 3000 and continued by a digit: the field holds
# a value, the whole record none, so the last date and time stay as the
# records before left them.
{
  printf 'Sample File\tcut_none.txt\r\nDMA Type\tlong column\r\n'
  printf 'Date\t5/1/2025\t5/2/2025\r\n'
  printf 'Start Time\t6:00:00\t6:30:00\r\n'
  printf 'Date'; blanks 2989; printf '12/3/201\tn/a\r\n'
  printf 'Start Time'; blanks 2983; printf '7:45:000\r\n'
  settings
} > cut_none.txt
