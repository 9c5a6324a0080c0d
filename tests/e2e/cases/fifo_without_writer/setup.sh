mkfifo pipe
