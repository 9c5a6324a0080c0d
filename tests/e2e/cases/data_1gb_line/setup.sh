# A CCN file whose last line, still being written, is 1 GB of NUL bytes without
# a line end: it is read through in constant memory and not used. The file is
# sparse, so it costs no disk space.
cp ccn_a.txt ccn_big.txt
truncate -s +1G ccn_big.txt
