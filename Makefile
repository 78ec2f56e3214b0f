# Brevane: build, run and test. `make test` is what CI runs.
BUILD  ?= build
NATIVE := $(BUILD)/native
WIN32  := $(BUILD)/win32
WIN64  := $(BUILD)/win64
FUZZ   := $(BUILD)/fuzz
JOBS   ?= $(shell nproc)
FUZZ_SECONDS ?= 20
export WINEPREFIX ?= $(abspath $(BUILD))/wine

.PHONY: all setup build native win32 win64 dist run test test-native test-win32 bench fuzz labsim clean

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

# The same sources built 64-bit, only to run the Win32 suites under 64-bit
# Wine where the kernel runs no 32-bit code. The deliverable stays 32-bit.
$(WIN64)/CMakeCache.txt:
	cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake

win64: $(WIN64)/CMakeCache.txt
	cmake --build $(WIN64) -j $(JOBS)

build: native win32

# The program folder as a zip for Windows, named after the program's version
# (the win32 build makes it; this lists it).
dist: setup win32
	@zip=$$(ls -t $(WIN32)/Brevane-*.zip | head -1); unzip -l "$$zip"; echo "dist: $$zip"

labsim: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS) --target labsim

# make run LAB=file.lab starts the program with that lab file (or user-defined
# lab); without a display the screenshot is taken SETTLE seconds after the start.
SETTLE ?= 5
LAB_ARG = $(if $(LAB),"$(abspath $(LAB))")
run: setup win32
	@if tools/can-run-wine; then exe=$(WIN32)/program/Brevane.exe; runner=tools/wine-run; \
	else echo "make run: no 32-bit code here, running the 64-bit build"; $(MAKE) --no-print-directory win64; \
	    exe=$(WIN64)/program/Brevane.exe; runner=tools/wine64-run; export WINEPREFIX=$(abspath $(BUILD))/wine64; fi; \
	if [ -n "$$DISPLAY" ]; then $$runner $$exe $(LAB_ARG); \
	else BREVANE_RUNNER=$$runner tools/with-display tools/run-headless $$exe $(BUILD)/brevane.png $(SETTLE) $(LAB_ARG); fi

test-native: native
	@echo "==== native tests (ASan, UBSan) ===="
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

test-win32: win32
	@if tools/can-run-wine; then \
	    echo "==== Win32 tests under Wine ===="; \
	    tools/with-display sh -c 'cd $(WIN32) && ctest --output-on-failure -j $(JOBS)'; \
	else \
	    echo "==== this machine runs no 32-bit code: the Win32 suites run as a 64-bit build under 64-bit Wine ===="; \
	    $(MAKE) --no-print-directory win64 && \
	    WINEPREFIX=$(abspath $(BUILD))/wine64 tools/with-display sh -c 'cd $(WIN64) && ctest --output-on-failure -j $(JOBS)'; \
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
	rm -rf $(NATIVE) $(WIN32) $(WIN64) $(FUZZ) $(BUILD)/bench
