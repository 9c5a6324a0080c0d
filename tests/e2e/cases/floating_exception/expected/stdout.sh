# The banner and a processing line per entry, the last one the FIFO.
printf ' VORTELIN - scan current dir for CCN/SMPS files\r\n VORTELIN authors 14/05/05\r\n  \r\n'
printf ' Give file with filname list: \r\n'
awk 'BEGIN { for (i = 1; i <= 1; i++) printf " Processing [ccn_a.txt]\r\n" }'
printf ' Processing [stall]\r\n'
