# The header and ten rows, one per listed CCN file.
printf ' "File" "StartDate" "StartTime" "EndTime" "SuperSatSet" "DeltaTSet"\r\n'
awk 'BEGIN { for (i = 1; i <= 10; i++) printf " \"ccn_a.txt\" \"05/14/05 \" \"10:00:00\" \"10:00:03\"     0.200    4.500\r\n" }'
