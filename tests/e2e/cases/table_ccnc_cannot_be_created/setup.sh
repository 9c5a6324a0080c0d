# scn_ccnc.dat would be created through a link into a folder that does not
# exist, after the header of scn_smps.dat was written: that list-style line is
# the format the diagnostic remembers.
ln -s no_such_folder/scn_ccnc.dat scn_ccnc.dat
