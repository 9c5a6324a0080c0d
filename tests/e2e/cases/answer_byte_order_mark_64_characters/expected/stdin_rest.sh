tail -n +2 ../stdin
