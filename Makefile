# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD    ?= build
ASAN     ?= build-asan
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test bench fuzz memcheck package clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(CURDIR) && $(BUILD)/app/fourier

# The whole suite twice: the normal build, then a build with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails the run.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

test: build
	cd $(BUILD) && env -u DISPLAY QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN) -DFOURIER_SANITIZE=ON -DFOURIER_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && env -u DISPLAY QT_QPA_PLATFORM=offscreen $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	scripts/run-fuzz.sh 60

memcheck: build
	scripts/memcheck-e2e.sh $(BUILD)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN)
