#!/usr/bin/env bash
# The Calculate request beside the realistic floor, numpy and R, on the same
# generated n = 100 input, medians of one run each; prints the times and the
# ratios. numpy (python3-numpy) and R (r-base-core) are used when installed
# and skipped otherwise. Not part of the test command: times depend on the
# machine and its load.
#
#   bench/compare.sh [BUILD_FOLDER]     default: build (the default preset)
#   REPETITIONS=15 bench/compare.sh     medians of that many timed batches
set -euo pipefail

build=${1:-build}
repetitions=${REPETITIONS:-15}
for program in bench_calculate write_sample_inputs; do
  if [[ ! -x $build/bin/$program ]]; then
    echo "compare.sh: $build/bin/$program is missing; build it first:" >&2
    echo "  cmake --preset default && cmake --build build --target bench_calculate write_sample_inputs" >&2
    exit 1
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bin/write_sample_inputs" 100 "$work"

# Medians in milliseconds, one line per job: NAME CORR_TO_COV COV_TO_CORR.
results=$work/results.txt

"$build/bin/bench_calculate" \
  --benchmark_filter='^BM_(Calculate|RealisticFloor)(CorrToCov|CovToCorr)/100$' \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$work/bench.csv"
awk -F, '
  $1 ~ /_median"?$/ {
    name = $1; gsub(/"/, "", name)
    ms = $3; if ($5 ~ /us/) ms /= 1000; if ($5 ~ /ns/) ms /= 1e6; if ($5 ~ /^"?s"?$/) ms *= 1000
    job = name ~ /RealisticFloor/ ? "floor" : "request"
    if (name ~ /CorrToCov/) a[job] = ms; else b[job] = ms
  }
  END { printf "request %.3f %.3f\nfloor %.3f %.3f\n", a["request"], b["request"], a["floor"], b["floor"] }
' "$work/bench.csv" >"$results"

# numpy: loadtxt from the text, the arithmetic, savetxt to a string. The
# OpenBLAS settings of this machine are left out for this command alone.
# The first Python that has numpy: a Python of the user's own may come first
# on the path, and Debian's python3-numpy belongs to /usr/bin/python3.
python=
for candidate in python3 /usr/bin/python3; do
  if env -u OPENBLAS_CORETYPE -u OPENBLAS_L2_SIZE "$candidate" -c 'import numpy' 2>/dev/null; then
    python=$candidate
    break
  fi
done
if [[ -n $python ]]; then
  env -u OPENBLAS_CORETYPE -u OPENBLAS_L2_SIZE "$python" - "$work" "$repetitions" >>"$results" <<'PY'
import io, statistics, sys, time
import numpy as np

folder, repetitions = sys.argv[1], int(sys.argv[2])
def text(name):
    with open(f"{folder}/{name}", newline="") as f:
        return f.read()
corr, dev, cov = text("correlation.txt"), text("deviations.txt"), text("covariance.txt")

def written(m):
    out = io.StringIO()
    np.savetxt(out, m, fmt="%.4f", delimiter="  ", newline="\r")
    return out.getvalue()

def corr_to_cov():
    r = np.loadtxt(corr.splitlines())
    sd = np.loadtxt(dev.splitlines())
    return written(r * np.outer(sd, sd))

def cov_to_corr():
    c = np.loadtxt(cov.splitlines())
    d = 1.0 / np.sqrt(np.diag(c))
    q = c * np.outer(d, d)
    np.fill_diagonal(q, 1.0)
    return written(q)

def median_ms(job, batch=20):
    job()
    times = []
    for _ in range(repetitions):
        start = time.perf_counter()
        for _ in range(batch):
            job()
        times.append((time.perf_counter() - start) / batch * 1000)
    return statistics.median(times)

print(f"numpy {median_ms(corr_to_cov):.3f} {median_ms(cov_to_corr):.3f}")
PY
else
  echo "compare.sh: numpy not installed (python3-numpy), skipped" >&2
fi

# R: scan, outer, sprintf.
if command -v Rscript >/dev/null; then
  Rscript --vanilla - "$work" "$repetitions" >>"$results" <<'RS'
args <- commandArgs(trailingOnly = TRUE)
folder <- args[1]; repetitions <- as.integer(args[2])
text <- function(name) {
  path <- file.path(folder, name)
  readChar(path, file.info(path)$size, useBytes = TRUE)
}
corr <- text("correlation.txt"); dev <- text("deviations.txt"); cov <- text("covariance.txt")
written <- function(m) {
  cells <- matrix(sprintf("%.4f", m), nrow(m))
  paste0(apply(cells, 1, paste, collapse = "  "), "\r", collapse = "")
}
square <- function(values) matrix(values, sqrt(length(values)), byrow = TRUE)
corr_to_cov <- function() {
  r <- square(scan(text = corr, quiet = TRUE))
  sd <- scan(text = dev, quiet = TRUE)
  written(r * outer(sd, sd))
}
cov_to_corr <- function() {
  c <- square(scan(text = cov, quiet = TRUE))
  d <- 1 / sqrt(diag(c))
  q <- c * outer(d, d)
  diag(q) <- 1
  written(q)
}
median_ms <- function(job, batch = 20) {
  job()
  times <- replicate(repetitions, {
    start <- proc.time()[["elapsed"]]
    for (k in seq_len(batch)) job()
    (proc.time()[["elapsed"]] - start) / batch * 1000
  })
  median(times)
}
cat(sprintf("R %.3f %.3f\n", median_ms(corr_to_cov), median_ms(cov_to_corr)))
RS
else
  echo "compare.sh: R not installed (r-base-core), skipped" >&2
fi

awk '
  { a[$1] = $2; b[$1] = $3; order[++count] = $1 }
  END {
    label["request"] = "bench_calculate, the request on model fields"
    label["floor"] = "realistic floor: from_chars, one scaling loop, to_chars"
    label["numpy"] = "numpy: loadtxt, arithmetic, savetxt to a string"
    label["R"] = "R: scan, outer, sprintf"
    printf "%-58s %11s %11s\n", "n = 100, medians in ms", "corr -> cov", "cov -> corr"
    for (k = 1; k <= count; ++k) {
      job = order[k]
      printf "%-58s %11.3f %11.3f\n", label[job], a[job], b[job]
    }
    printf "\nthe request as a ratio:\n"
    for (k = 1; k <= count; ++k) {
      job = order[k]
      if (job == "request" || a[job] == 0 || b[job] == 0) continue
      printf "  to %-53s %10.2fx %10.2fx\n", job, a["request"] / a[job], b["request"] / b[job]
    }
  }
' "$results"
