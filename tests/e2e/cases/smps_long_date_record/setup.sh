# An export of 400 samples: its "Date" and "Start Time" records exceed 3000 characters.
{
  printf 'Sample File\tlong_run.txt\r\n'
  printf 'DMA Type\tlong column\r\n'
  printf 'Sheath Flow(lpm)\t3.0\r\n'
  printf 'Aerosol Flow(lpm)\t0.3\r\n'
  printf 'Sample #'
  i=1; while [ $i -le 400 ]; do printf '\t%d' $i; i=$((i+1)); done
  printf '\r\n'
  printf 'Date'
  i=1; while [ $i -lt 400 ]; do printf '\t05/14/05'; i=$((i+1)); done
  printf '\t05/15/05  \r\n'
  printf 'Start Time\t08:00:00'
  i=2; while [ $i -lt 400 ]; do printf '\t12:00:00'; i=$((i+1)); done
  printf '\t23:59:30\r\n'
  printf 'Scan Up Time(s)\t120\r\n'
  printf 'Retrace Time(s)\t15\r\n'
  printf 'Sample Length(s)\t135\r\n'
  printf 'Scans Per Sample\t1\r\n'
  printf '14.1'
  i=1; while [ $i -le 400 ]; do printf '\t%d.5' $i; i=$((i+1)); done
  printf '\r\n'
} > long_run.txt
