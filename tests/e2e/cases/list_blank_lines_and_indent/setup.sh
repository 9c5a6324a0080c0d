cp ccn_a.txt '   ccn_a.txt'
cp ccn_a.txt '    ccn_a.txt'
