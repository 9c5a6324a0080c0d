# A FIFO whose writer has put a whole CCN file in it: the header records are
# read, and the rewind before the scan cannot be done.
mkfifo pipe
(cat ccn_a.txt; exec sleep 10) 1<>pipe &
# The run may start only once the writer holds the FIFO.
while [ "$(readlink /proc/$!/fd/1)" != "$(pwd -P)/pipe" ]; do sleep 0.01; done
