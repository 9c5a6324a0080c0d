# The particle-sizer table is on a full device; its rows fail when they are written
# out at the end, and the CCN rows, which can be written, are kept.
ln -s /dev/full scn_smps.dat
