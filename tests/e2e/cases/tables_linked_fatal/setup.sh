# Both tables are one file: each channel writes it from its own start, and the
# table closed last (scn_ccnc.dat) must be all that is left, as after a normal end.
: > scn_smps.dat
ln scn_smps.dat scn_ccnc.dat
