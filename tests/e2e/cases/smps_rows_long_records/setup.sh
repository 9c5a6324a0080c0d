# Row-per-sample exports with 600 size bins: header and sample rows run past
# column 3000, and the cells read from them lie beyond it.
preamble() {
  printf 'Instrument Model\tPS-9\r\nSerial Number\t0042\r\nDMA Model\tLC-44\r\n'
  printf 'Units\tdW/dlogDp\r\nWeight\tNumber\r\nSheath Flow (L/min)\t3.0\r\n'
}
bins() { i=1; while [ $i -le 600 ]; do printf '\t%d.5' $((10 + i)); i=$((i + 1)); done; }
values() { i=1; while [ $i -le 600 ]; do printf '\t%d.25' $((100 + i + $1)); i=$((i + 1)); done; }
# Date, time and settings columns after the bins.
{
  preamble
  printf 'Sample #'; bins
  printf '\tDate\tStart Time\tSample Temp (C)\tScan Time (s)\tRetrace Time (s)\tScan Resolution (Hz)\tScans Per Sample\tComment\r\n'
  for s in 1 2 3; do
    printf '%d' $s; values $s
    printf '\t2/19/2025\t3:%d:00 PM\t24.5\t300\t4\t50\t1\tok\r\n' $((36 + 6 * s))
  done
} > rows_after_bins.txt
# Date and time first, settings after the bins.
{
  preamble
  printf 'Sample #\tDate\tStart Time'; bins
  printf '\tScan Up Time(s)\tRetrace Time(s)\tScans Per Sample\r\n'
  for s in 1 2 3 4; do
    printf '%d\t2/20/2025\t9:%02d:00' $s $((5 * s)); values $s
    printf '\t120\t15\t2\r\n'
  done
} > rows_settings_after_bins.txt
