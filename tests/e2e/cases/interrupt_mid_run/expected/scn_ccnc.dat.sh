# The header and every row written before the interrupt, all of them whole.
printf ' "File" "StartDate" "StartTime" "EndTime" "SuperSatSet" "DeltaTSet"\r\n'
awk 'BEGIN { for (i = 1; i <= 2000; i++) printf " \"ccn_a.txt\" \"05/14/05 \" \"10:00:00\" \"10:00:03\"     0.200    4.500\r\n" }'
