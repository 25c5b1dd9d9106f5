# One-word front door to the CMake build; everything real lives in CMakeLists.txt.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
GENERATOR := $(if $(shell command -v ninja),Ninja,Unix Makefiles)
BUILD_PATH := $(abspath $(BUILD_DIR))

.PHONY: all build run test clean

all: build

$(BUILD_PATH)/CMakeCache.txt:
	cmake -S . -B $(BUILD_PATH) -G "$(GENERATOR)" $(CMAKE_FLAGS)

build: $(BUILD_PATH)/CMakeCache.txt
	cmake --build $(BUILD_PATH)

# The report of the sample store that ships with the project.
run: build
	cd examples/store && $(BUILD_PATH)/mailfolder

test: build
	ctest --test-dir $(BUILD_PATH) --output-on-failure

clean:
	rm -rf $(BUILD_PATH)
