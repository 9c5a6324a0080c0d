# The table would be created through a link into a folder that does not exist.
ln -s no_such_folder/scn_smps.dat scn_smps.dat
