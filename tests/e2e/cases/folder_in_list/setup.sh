mkdir archive
