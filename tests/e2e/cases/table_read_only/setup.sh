printf ' old table\r\n' > scn_ccnc.dat
chmod 444 scn_ccnc.dat
