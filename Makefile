# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD    ?= build
ASAN     ?= build-asan
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-sanitized bench fuzz memcheck mutation package clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(CURDIR) && $(BUILD)/program/fourier

# The suite on the normal build; `ctest -L core` (or window, lab, e2e, package) in the
# build folder runs one part. The same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the run, is `make test-sanitized`.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test: build
	cd $(BUILD) && env -u DISPLAY QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitized: deps
	cmake -S . -B $(ASAN) -DFOURIER_SANITIZE=ON -DFOURIER_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && env -u DISPLAY QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

# Benchmarks are built only when asked for: the build folder is configured with them.
bench: deps
	cmake -S . -B $(BUILD) -DFOURIER_BENCH=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	scripts/run-fuzz.sh 60

memcheck: build
	scripts/memcheck-e2e.sh $(BUILD)

# Plants the faults of scripts/mutants.txt one at a time in a private copy of the tree and
# reports which ones the tests let through; `make mutation FILTER=analysis` plants only those
# under analysis/. It reports and never fails, and is not part of `make test`.
mutation: deps
	scripts/mutation.sh $(FILTER)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN)
