# Both tables are one file, and an interrupt ends the run while the program
# waits on "stall", a FIFO whose writer never writes: the table saved last
# (scn_ccnc.dat) must be all that is left, as after a normal end.
: > scn_smps.dat
ln scn_smps.dat scn_ccnc.dat
mkfifo stall
sleep 20 <>stall &
while [ "$(readlink /proc/$!/fd/0)" != "$(pwd -P)/stall" ]; do sleep 0.01; done
