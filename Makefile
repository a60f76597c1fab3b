# Dravix: make build | make test | make run   (Debian 12)
# Each target first installs what is missing (tools/setup-debian), then does its work.
BUILD      := build
WIN_DIR    := $(BUILD)/win
NATIVE_DIR := $(BUILD)/native
PROGRAM    := $(CURDIR)/$(BUILD)/program
JOBS       ?= $(shell nproc)
# Extra arguments for CTest, e.g. make test ARGS='-R harness_test'
ARGS       ?=

.PHONY: build test run clean setup do-build do-build-native do-build-run do-test do-run

build test run: setup
	@$(MAKE) --no-print-directory do-$@

setup:
	@tools/setup-debian

# The shipped programs are 32-bit. Where this machine cannot run 32-bit code
# (a kernel without 32-bit support, so 32-bit Wine cannot start), the Wine
# tests and `make run` use a 64-bit build of the same sources under 64-bit Wine.
ifneq ($(filter do-%,$(MAKECMDGOALS)),)
WINE_ARCH := $(shell tools/wine-arch)
endif
ifeq ($(WINE_ARCH),win64)
  WINE_TESTS := OFF
  RUN_DIR    := $(BUILD)/win64
else
  WINE_TESTS := ON
  RUN_DIR    := $(WIN_DIR)
endif

do-build:
	cmake -S . -B $(WIN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DDRAVIX_PROGRAM_DIR=$(PROGRAM) \
	  -DDRAVIX_WINE_TESTS=$(WINE_TESTS) >/dev/null
	cmake --build $(WIN_DIR) -j $(JOBS)

do-build-native:
	cmake -S . -B $(NATIVE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build $(NATIVE_DIR) -j $(JOBS)

# The build that runs under this machine's Wine (the shipped one where it can).
do-build-run: do-build
ifeq ($(WINE_ARCH),win64)
	cmake -S . -B $(RUN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake >/dev/null
	cmake --build $(RUN_DIR) -j $(JOBS)
endif

do-test: do-build-native do-build-run
	ctest --test-dir $(NATIVE_DIR) --output-on-failure -j $(JOBS) $(ARGS)
	ctest --test-dir $(WIN_DIR) --output-on-failure $(ARGS)
ifeq ($(WINE_ARCH),win64)
	ctest --test-dir $(RUN_DIR) --output-on-failure -E program_imports $(ARGS)
endif

do-run: do-build-run
	@tools/run-dravix $(RUN_DIR)

clean:
	rm -rf $(BUILD)
