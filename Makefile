# Brevane: build, run and test. `make test` is what CI runs.
BUILD  ?= build
NATIVE := $(BUILD)/native
WIN32  := $(BUILD)/win32
FUZZ   := $(BUILD)/fuzz
JOBS   ?= $(shell nproc)
FUZZ_SECONDS ?= 20
export WINEPREFIX ?= $(abspath $(BUILD))/wine

.PHONY: all setup build native win32 run test test-native test-win32 bench fuzz labsim clean

all: build

setup:
	@tools/setup

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(WIN32)/CMakeCache.txt:
	cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

win32: $(WIN32)/CMakeCache.txt
	cmake --build $(WIN32) -j $(JOBS)

build: native win32

labsim: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS) --target labsim

run: setup win32
	@tools/can-run-wine || { echo "make run: this machine cannot run 32-bit programs, so not Wine either"; exit 1; }
	@if [ -n "$$DISPLAY" ]; then tools/wine-run $(WIN32)/bin/Brevane.exe; \
	else tools/with-display tools/run-headless $(WIN32)/bin/Brevane.exe $(BUILD)/brevane.png; fi

test-native: native
	@echo "==== native tests (ASan, UBSan) ===="
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-win32: win32
	@if tools/can-run-wine; then \
	    echo "==== Win32 tests under Wine ===="; \
	    tools/with-display sh -c 'cd $(WIN32) && ctest --output-on-failure -j $(JOBS)'; \
	else \
	    echo "==== Win32 tests under Wine: NOT RUN, this machine cannot run 32-bit programs ===="; \
	    echo "==== (its kernel has 32-bit emulation switched off; the Win32 build above compiled) ===="; \
	fi

test: setup
	$(MAKE) build
	$(MAKE) test-native
	$(MAKE) test-win32

bench: setup
	cmake -S . -B $(BUILD)/bench -DCMAKE_BUILD_TYPE=Release -DBREVANE_SANITIZE=OFF
	cmake --build $(BUILD)/bench -j $(JOBS)
	@if [ -x $(BUILD)/bench/bin/brevane_bench ]; then $(BUILD)/bench/bin/brevane_bench; \
	else echo "no benchmarks yet"; fi
	@tools/paint-bench $(WIN32) 2>/dev/null || true
	@$(MAKE) --no-print-directory win32 >/dev/null && tools/startup-bench $(WIN32) || echo "start-up benchmark not run"

fuzz: setup
	CXX=clang++ CC=clang cmake -S fuzz -B $(FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ) -j $(JOBS)
	tools/run-fuzz $(FUZZ) $(FUZZ_SECONDS)

clean:
	rm -rf $(NATIVE) $(WIN32) $(FUZZ) $(BUILD)/bench
