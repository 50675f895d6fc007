# SPDX-License-Identifier: MIT
# Entry points for people and CI; CMake does the building. Each target installs what it lacks.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE ?= cmake
DEPS = scripts/install-deps.sh
FUZZ_SECONDS ?= 60

.PHONY: run test test-sanitize bench fuzz screenshot format clean

run:
	$(DEPS) run
	$(CMAKE) -S . -B $(BUILD_DIR)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS) --target tenvex
	$(BUILD_DIR)/window/tenvex

test:
	$(DEPS) test
	$(CMAKE) -S . -B $(BUILD_DIR) -DBUILD_TESTING=ON $(CMAKE_ARGS)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The whole test suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test BUILD_DIR=build-sanitize CMAKE="$(CMAKE)" \
	    CMAKE_ARGS="-DTENVEX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo"

bench:
	$(DEPS) bench
	$(CMAKE) -S . -B build-bench -DTENVEX_BENCH=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
	$(CMAKE) --build build-bench -j $(JOBS)
	build-bench/bench/bench_conversion
	bench/startup.sh build-bench

fuzz:
	$(DEPS) fuzz
	CXX=clang++-14 $(CMAKE) -S . -B build-fuzz -DTENVEX_FUZZ=ON -DTENVEX_GUI=OFF \
	    -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz/fuzz $(FUZZ_SECONDS)

# The README's screenshot, made under Xvfb after a conversion.
screenshot:
	$(DEPS) screenshot
	$(CMAKE) -S . -B $(BUILD_DIR)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS) --target tenvex
	scripts/screenshot.sh $(BUILD_DIR)/window/tenvex docs/screenshot.png

format:
	find conversion runtime window resources tests bench fuzz -name '*.cpp' -o -name '*.h' \
	    | xargs clang-format -i

clean:
	rm -rf build build-sanitize build-bench build-fuzz
