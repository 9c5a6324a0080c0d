# A CCN file with a record of 3,000,000 bytes among its records.
{
  printf 'CCN counter data file\r\nDate: 07/13/25\r\nx\r\nx\r\nx\r\nx\r\n'
  printf '10:00:00,0.2,1,4.5\r\n10:00:05,0.2,1,4.5\r\n'
  head -c 3000000 /dev/zero | tr '\0' 'x'
  printf '\r\n10:00:10,0.2,1,4.5\r\n10:00:15,0.2,1,4.5\r\n10:00:20,0.2,1,4.5'
} > c.csv
