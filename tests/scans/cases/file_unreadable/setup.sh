chmod 000 ccn_0916_locked.csv
