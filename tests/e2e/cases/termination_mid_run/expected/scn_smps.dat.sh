# The header and every row written before the termination request.
printf ' "File" "FrstScanDate" "LastScanDate" "FrstScanTime" "LastScanTime" "ScansPerSample" "ScanUpTime(s)" "RetraceTime(s)"\r\n'
awk 'BEGIN { for (i = 1; i <= 2000; i++) printf " \"smps_tab.txt\" \"05/14/05 \" \"05/15/05\" \"23:55:01\" \"00:02:31\"   1  120.0   30.0\r\n" }'
