cat ../stdin
