# The table name exists but is a folder: it opens, read-only, and cannot be written.
mkdir scn_smps.dat
