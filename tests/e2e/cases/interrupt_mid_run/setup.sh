# An interrupt after 2000 CCN files: more rows than one write of the table holds.
awk 'BEGIN { for (i = 1; i <= 2000; i++) print "ccn_a.txt"; print "stall" }' > list.txt
# The run stops at "stall", a FIFO whose writer never writes; the signal is
# sent once the program holds it open.
mkfifo stall
sleep 20 <>stall &
while [ "$(readlink /proc/$!/fd/0)" != "$(pwd -P)/stall" ]; do sleep 0.01; done
