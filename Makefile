# Two entry points for a fresh Debian 12 machine: `make run` and `make test`.
BUILD    ?= build
ASAN     ?= build-asan
JOBS     ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test test-asan bench fuzz package clean

deps:
	@scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(CURDIR) && $(BUILD)/app/fourier

test: build
	cd $(BUILD) && env -u DISPLAY QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	scripts/run-benchmarks.sh $(BUILD)

fuzz: deps
	scripts/run-fuzz.sh 60

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(ASAN)
