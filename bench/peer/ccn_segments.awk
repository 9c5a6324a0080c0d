# The CCN segmentation as a short awk script, the baseline bench/run.sh times
# the program against. For a well-formed CCN data file (six header lines, the
# date in columns 7 to 15 of line 2, then records of "hh:mm:ss,set point,
# value,delta T,...") it prints the same rows as the program writes to
# scn_ccnc.dat, header excepted.
#
#   mawk -v file=NAME -f ccn_segments.awk NAME
BEGIN { FS = "," }
NR == 2 {
  line = $0
  sub(/\r$/, "", line)
  date = sprintf("%-9s", substr(line, 7, 9))
}
NR < 7 { next }
{
  time = substr($0, 1, 8)
  if (NR == 7) {
    start = time
    set = $2 + 0
    delta = $4 + 0
  } else if ($2 + 0 != set) {
    row(time)
    start = time
    set = $2 + 0
    delta = $4 + 0
  }
  last = time
}
END { row(last) }
function row(end_time) {
  printf " \"%s\" \"%s\" \"%s\" \"%s\"  %8.3f %8.3f\r\n", file, date, start, end_time, set, delta
}
