# A list of 100,000 entries: every 10,000th names a CCN file, the others a
# file that does not exist.
awk 'BEGIN { for (i = 1; i <= 100000; i++) print (i % 10000 == 0 ? "ccn_a.txt" : "gone.txt") }' > list.txt
