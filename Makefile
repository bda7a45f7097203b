# The two commands of the README, and a few more. Each installs what is missing first.
PRESET ?= default
JOBS ?= $(shell nproc)

.PHONY: run test test-sanitize bench deps build clean

deps:
	@bash scripts/install-deps.sh

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@bash scripts/run.sh build/$(PRESET)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

test-sanitize:
	$(MAKE) test PRESET=sanitize

bench: build
	build/$(PRESET)/bench/orvandel-bench data/*.txt data/golden.jsonl

clean:
	rm -rf build
