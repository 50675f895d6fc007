# SPDX-License-Identifier: MIT
# Entry points for people and CI; CMake does the building. Each target installs what it lacks.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE ?= cmake
DEPS = scripts/install-deps.sh
FUZZ_SECONDS ?= 60

WINDOWS_ARCHES = x86_64 i686
# Every C++ source of ours, for clang-format.
FORMAT_SOURCES = $(shell find conversion runtime window resources tests bench fuzz \
    -name '*.cpp' -o -name '*.h')
# Set to ON to check the sources with clang-tidy while the sanitizer build compiles them.
TIDY ?= OFF

.PHONY: run test test-linux test-sanitize windows test-windows web test-web package bench fuzz screenshot \
    format format-check clean

run:
	$(DEPS) run
	$(CMAKE) -S . -B $(BUILD_DIR)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS) --target tenvex
	$(BUILD_DIR)/window/tenvex

# Every test: the Linux build's, then both Windows builds' under Wine. A machine that cannot run
# the 32-bit build's tests says so last, not only in their count of skipped tests.
test: test-linux test-windows web test-web
	@scripts/wine.sh --runs-32-bit || true

test-linux:
	$(DEPS) test
	$(CMAKE) -S . -B $(BUILD_DIR) -DBUILD_TESTING=ON $(CMAKE_ARGS)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The Linux build's tests again with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize:
	$(MAKE) test-linux BUILD_DIR=build-sanitize CMAKE="$(CMAKE)" \
	    CMAKE_ARGS="-DTENVEX_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTENVEX_CLANG_TIDY=$(TIDY)"

# The static site, one page that opens from disk or from any static host: build-web/site/.
web:
	$(DEPS) web
	$(CMAKE) -S . -B build-web -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/emscripten.cmake
	$(CMAKE) --build build-web -j $(JOBS) --target tenvex

# The browser build's tests: the standard-C++ layers' under Node.js, and the page in headless
# Chromium.
test-web:
	$(DEPS) web
	$(CMAKE) -S . -B build-web -DBUILD_TESTING=ON \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/emscripten.cmake
	$(CMAKE) --build build-web -j $(JOBS)
	ctest --test-dir build-web --output-on-failure -j $(JOBS)

# Tenvex.exe for 64-bit and 32-bit Windows, cross-built with MinGW-w64, with their tests.
windows:
	$(DEPS) windows
	for arch in $(WINDOWS_ARCHES); do \
	    $(CMAKE) -S . -B build-windows-$$arch -DBUILD_TESTING=ON \
	        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-$$arch.cmake && \
	    $(CMAKE) --build build-windows-$$arch -j $(JOBS) || exit 1; \
	done

# The standard-C++ tests, the window driven by our driver and the packages, all under Wine.
test-windows: windows
	for arch in $(WINDOWS_ARCHES); do \
	    ctest --test-dir build-windows-$$arch --output-on-failure -j $(JOBS) || exit 1; \
	done

# The Debian package, and the ZIP and the installer for 64-bit and 32-bit Windows, built for
# release into packages/, with SHA256SUMS.
package:
	$(DEPS) package
	scripts/package.sh $(JOBS)

bench:
	$(DEPS) bench
	$(CMAKE) -S . -B build-bench -DTENVEX_BENCH=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=Release
	$(CMAKE) --build build-bench -j $(JOBS)
	build-bench/bench/bench_conversion
	bench/startup.sh build-bench
	$(MAKE) windows
	$(CMAKE) -S . -B build-windows-x86_64 -DTENVEX_BENCH=ON
	$(CMAKE) --build build-windows-x86_64 -j $(JOBS)
	bench/startup_windows.sh build-windows-x86_64
	$(MAKE) web
	/usr/bin/python3 bench/web.py build-web/site

fuzz:
	$(DEPS) fuzz
	CXX=clang++-14 $(CMAKE) -S . -B build-fuzz -DTENVEX_FUZZ=ON -DTENVEX_GUI=OFF \
	    -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	$(CMAKE) --build build-fuzz -j $(JOBS)
	fuzz/run.sh build-fuzz/fuzz $(FUZZ_SECONDS)

# The README's screenshots, made under Xvfb after a conversion: Linux, then Windows under Wine.
screenshot:
	$(DEPS) screenshot
	$(CMAKE) -S . -B $(BUILD_DIR)
	$(CMAKE) --build $(BUILD_DIR) -j $(JOBS) --target tenvex
	scripts/screenshot.sh $(BUILD_DIR)/window/tenvex docs/screenshot.png
	$(MAKE) windows WINDOWS_ARCHES=x86_64
	scripts/screenshot_windows.sh build-windows-x86_64/window/Tenvex.exe docs/screenshot-windows.png

format:
	@clang-format -i $(FORMAT_SOURCES)

format-check:
	@clang-format --dry-run -Werror $(FORMAT_SOURCES)

clean:
	rm -rf build build-sanitize build-bench build-fuzz build-windows-* build-web build-package* packages
