# Files holding NUL bytes, 0xFF and other high bytes, and bare CRs, in text
# fields and around values. They are ordinary characters of the records; the
# last file has them where a value must be.
{
  printf 'Sample File\tsmps_binary.txt\0\377\r\n'
  printf 'DMA Type\tlong\200column\r\n'
  printf 'Comment\tbare\rcarriage\rreturns\r\r\n'
  printf 'Sample #\t1\t2\t3\r\n'
  printf 'Date\t05/14/05\t\377\0\376\t05/15/05\r\n'
  printf 'Start Time\t10:00:01\t1\r:00\t23:59:59\0\0\r\n'
  printf 'Scan Up Time(s)\t120\t\377\r\n'
  printf 'Retrace Time(s)\t15\0\r\n'
  printf 'Sample Length(s)\t\200\201\202\r\n'
  printf 'Scans Per Sample\t2\t\376\r\n'
  printf '14.1\t\0\0\0\r\n'
} > smps_binary.txt
{
  printf 'CCN \0\377 counter\n'
  printf 'Date: 05\37714/05\0x\n'
  printf 'bare\rCR\n'
  printf '\200\201\202\203\n'
  printf '\0\0\0\0\n'
  printf '\377\376\375\n'
  printf '10:0\0:00,0.20,25.0,4.50,\377\0,812\n'
  printf '10:00:01,0.20,25.0,4.50,0.50\r,815\n'
  printf '10:00\r02,0.40,25.0,7.00,\200,1010\n'
  printf '10:00:03,0.40,25.0,7.00,0.50,1012\n'
} > ccn_binary.txt
{
  i=1
  while [ $i -le 12 ]; do printf '\377\376\0\200 line %d \0\377\r\n' $i; i=$((i + 1)); done
} > binary_only.bin
