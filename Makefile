# One-word front door to the CMake build; everything real lives in CMakeLists.txt.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
GENERATOR := $(if $(shell command -v ninja),Ninja,Unix Makefiles)
BUILD_PATH := $(abspath $(BUILD_DIR))
WINDOWS_BUILD_PATH := $(abspath $(BUILD_DIR)-windows)

.PHONY: all build run test windows test-windows bench clean

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

# The Windows x86-64 console executable, cross-compiled with mingw-w64.
windows:
	cmake -S . -B $(WINDOWS_BUILD_PATH) -G "$(GENERATOR)" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD_PATH)

# The acceptance suite against mailfolder.exe, under Wine.
test-windows: windows
	bash tests/acceptance/run-under-wine.sh $(WINDOWS_BUILD_PATH)

# Timings against the floor on synthetic stores; figures, not tests.
bench:
	cmake -S . -B $(BUILD_PATH)-bench -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DMAILFOLDER_BENCHMARKS=ON \
		-DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_PATH)-bench
	bash bench/run.sh $(BUILD_PATH)-bench

clean:
	rm -rf $(BUILD_PATH) $(WINDOWS_BUILD_PATH) $(BUILD_PATH)-bench
