ln -s /dev/full scn_ccnc.dat
