# The observation-file date shift written in awk, as a yardstick for the benchmark.
BEGIN { RS = "\r?\n"; ORS = "\r\n"; header = 1 }
header {
    label = substr($0, 61, 20); gsub(/^[ \t]+|[ \t]+$/, "", label)
    if (label == "TIME OF FIRST OBS" || label == "TIME OF LAST OBS") {
        year = substr($0, 1, 6) + 0
        print "  " (year - 28) substr($0, 7); next
    }
    if (label == "LEAP SECONDS") { print substr($0, 1, 60) "COMMENT"; next }
    if (label == "END OF HEADER") {
        print "----------------------------------------------------------- COMMENT"
        header = 0
    }
    print; next
}
substr($0, 19, 1) == "." {
    yy = substr($0, 1, 3) + 0
    if (yy < 28) yy += 100
    printf "%3s%s\r\n", sprintf((yy - 28 <= 9) ? " 0%d" : "%3d", yy - 28), substr($0, 4); next
}
{ print }
