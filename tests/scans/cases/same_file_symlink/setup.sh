ln -s smps_0917.txt link_0917.txt
