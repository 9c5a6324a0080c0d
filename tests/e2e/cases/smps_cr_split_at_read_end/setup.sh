# A row-per-sample export with 37445 size bins whose last sample row holds a
# CR, not followed by a line feed, right after its start time: "12:00:00", CR,
# "5". The CR is content and ends the time, so the last start time is
# 12:00:00; a reader that lost the CR would see "12:00:005", which is no time,
# and keep the first row's 11:55:00.
#
# Where the program's reads end: it reads a data file through a buffer of
# 262144 bytes. The first read fills it with the file's start: the eleven
# labelled lines (245 bytes) and the header row's start; the rewind after the
# ten header lines replays that buffer without reading. A row longer than the
# buffer (the header row and both sample rows here) is moved to the buffer's
# front and the rest is filled by one read, which ends at the row's byte
# 262144; each later read of the row brings 262144 bytes more. So the row's
# byte 262143 (counted from 0) is the last byte of a read.
# Bytes of the last sample row before its CR:
#   "2<TAB>2/20/2025<TAB>300<TAB>4<TAB>1"        19
#   37445 counts "<TAB>ddd.dd", 7 bytes each     262115
#   "<TAB>12:00:00"                              9
# 19 + 262115 + 9 = 262143: the CR is the row's byte 262143. The row starts at
# the file's byte 524604, and `strace -e trace=read` shows the data file read
# in pieces of 262144, 245, 262144, 65, 262144, 6 and 8 bytes: the sixth ends
# at byte 786748 = 524604 + 262144, with the CR.
file=rows_cr_at_read_end.txt
buffer=262144
bins=37445
# Seven bytes per cell: a tab and a count from 100.00 to 999.99.
cells() {
  i=0
  while [ $i -lt $bins ]; do
    printf '\t%d.%02d' $((100 + i % 900)) $((i % 100))
    i=$((i + 1))
  done
}
{
  printf 'Instrument Model\tPS-9\r\nSerial Number\t0042\r\nFirmware Version\t2.1\r\n'
  printf 'DMA Model\tLC-44\r\nDMA Inner Radius (cm)\t0.937\r\nDMA Outer Radius (cm)\t1.961\r\n'
  printf 'DMA Length (cm)\t44.4\r\nUnits\tdW/dlogDp\r\nWeight\tNumber\r\n'
  printf 'Sheath Flow (L/min)\t3.0\r\nAerosol Flow (L/min)\t0.3\r\n'
  # The bins' titles are their diameters in nm, in the same form as the counts.
  printf 'Sample #\tDate\tScan Time (s)\tRetrace Time (s)\tScans Per Sample'
  cells
  printf '\tStart Time\tTotal Conc. (#/cm3)\r\n'
  printf '1\t2/20/2025\t300\t4\t1'
  cells
  printf '\t11:55:00\t2210\r\n'
} > $file
row=$(wc -c < $file)
{
  printf '2\t2/20/2025\t300\t4\t1'
  cells
  printf '\t12:00:00\r5\t2251\r\n'
} >> $file
# The CR must be where the arithmetic above puts it (tail counts from 1).
[ "$(tail -c +$((row + buffer)) $file | head -c 2 | od -An -c | tr -d ' ')" = '\r5' ] || {
  echo "the CR is not the row's byte $((buffer - 1))" >&2
  exit 1
}
