# Brimlow: build on Linux with mingw-w64, run and test under Wine.
# Two builds from the same sources: build/i686 (the release exe) and build/x86_64 (for hosts whose Wine
# runs only 64-bit programs). BRIMLOW_ARCH=i686|x86_64 picks the one that test, demo, run and bench use
# (ARCH, which many shells and build environments set, is not read).
BUILD_DIR ?= build
BUILD_TYPE ?= Release
JOBS ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
ARCHS := i686 x86_64
export BRIMLOW_BUILD_ROOT := $(abspath $(BUILD_DIR))
export BRIMLOW_ARCH
# make demo BRIMLOW_DEMO_USER=Łukasz: the demo's roaming folder is C:\users\Łukasz\AppData\Roaming.
export BRIMLOW_DEMO_USER

.PHONY: all deps configure build test demo run bench screenshot dist clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	@for arch in $(ARCHS); do \
	  cmake -S . -B $(BUILD_DIR)/$$arch -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake \
	        -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null || exit 1; \
	done

build: configure
	@for arch in $(ARCHS); do \
	  echo "Building $$arch in $(BUILD_DIR)/$$arch"; \
	  cmake --build $(BUILD_DIR)/$$arch -j $(JOBS) || exit 1; \
	done

test: build
	bash scripts/run-tests.sh

demo: build
	bash scripts/demo.sh

run: build
	bash scripts/run-user.sh

bench: build
	bash scripts/bench.sh

# The README's picture of the real window (docs/brimlow.png).
screenshot: build
	bash scripts/screenshot.sh

# The release in dist/, built twice from the committed tree and compared.
dist: deps
	bash scripts/dist.sh

clean:
	rm -rf $(BUILD_DIR) dist
