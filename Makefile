# Brimlow: build on Linux with mingw-w64, run and test under Wine.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
export BRIMLOW_BUILD_DIR := $(abspath $(BUILD_DIR))

.PHONY: all deps configure build test demo run bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	bash scripts/run-tests.sh

demo: build
	bash scripts/demo.sh

run: build
	bash scripts/run-user.sh

bench: build
	bash scripts/bench.sh

clean:
	rm -rf $(BUILD_DIR)
