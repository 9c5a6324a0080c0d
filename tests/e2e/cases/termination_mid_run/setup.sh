# A termination request after 2000 particle-sizer exports.
awk 'BEGIN { for (i = 1; i <= 2000; i++) print "smps_tab.txt"; print "stall" }' > list.txt
# The run stops at "stall", a FIFO whose writer never writes; the signal is
# sent once the program holds it open.
mkfifo stall
sleep 20 <>stall &
while [ "$(readlink /proc/$!/fd/0)" != "$(pwd -P)/stall" ]; do sleep 0.01; done
