# The banner, then a processing line per entry and an error line per missing file.
printf ' VORTELIN - scan current dir for CCN/SMPS files\r\n VORTELIN authors 14/05/05\r\n  \r\n'
printf ' Give file with filname list: \r\n'
awk 'BEGIN {
  for (i = 1; i <= 100000; i++) {
    if (i % 10000 == 0) printf " Processing [ccn_a.txt]\r\n"
    else printf " Processing [gone.txt]\r\n *** Error opening/processing file.\r\n"
  }
}'
