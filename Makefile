# The two commands of the README, and a few more. Each installs what is missing first.
PRESET ?= default
JOBS ?= $(shell nproc)

.PHONY: run test test-slow test-sanitize fuzz package bench deps build clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@bash scripts/run.sh build/$(PRESET)

test: build
	ctest --preset $(PRESET) -j $(JOBS) -LE slow

# The tests labelled slow: the reference comparison and the technique path swept over whole puzzle collections.
test-slow: build
	ctest --preset $(PRESET) -j $(JOBS) -L slow

test-sanitize:
	$(MAKE) test PRESET=sanitize

# The fuzz targets, each run for a bounded time: FUZZ_SECONDS for the readers, SOLVER_FUZZ_SECONDS
# for the solve pipeline.
FUZZ_SECONDS ?= 60
SOLVER_FUZZ_SECONDS ?= 600
fuzz:
	@bash scripts/install-deps.sh fuzz
	cmake --preset fuzz -DORVANDEL_FUZZ_SECONDS=$(FUZZ_SECONDS) -DORVANDEL_SOLVER_FUZZ_SECONDS=$(SOLVER_FUZZ_SECONDS)
	cmake --build --preset fuzz -j $(JOBS)
	ctest --preset fuzz

# The Debian package, built from the release preset and checked: what it installs validates, and
# the installed program opens a board.
package:
	$(MAKE) build PRESET=release
	@bash scripts/install-deps.sh package
	bash scripts/check-package.sh build/release

bench: build
	build/$(PRESET)/bench/orvandel-bench data/*.txt data/golden.jsonl

clean:
	rm -rf build
