# One-word front door to the CMake build; everything real lives in CMakeLists.txt.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
GENERATOR := $(if $(shell command -v ninja),Ninja,Unix Makefiles)
BUILD_PATH := $(abspath $(BUILD_DIR))
WINDOWS_BUILD_PATH := $(abspath $(BUILD_DIR)-windows)

.PHONY: all build run test install windows test-windows package test-package bench fuzz test-sanitize lint clean

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

# bin/mailfolder and share/man/man1/mailfolder.1 under PREFIX (DESTDIR is honoured too).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_PATH) --prefix $(PREFIX)

# The Windows x86-64 console executable, cross-compiled with mingw-w64.
windows:
	cmake -S . -B $(WINDOWS_BUILD_PATH) -G "$(GENERATOR)" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
		-DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(WINDOWS_BUILD_PATH)

# The acceptance suite against mailfolder.exe, under Wine.
test-windows: windows
	bash tests/acceptance/run-under-wine.sh $(WINDOWS_BUILD_PATH)

# A Debian package of the Linux build and a .zip of the Windows one, in dist/.
package: build windows
	cd $(BUILD_PATH) && cpack
	cd $(WINDOWS_BUILD_PATH) && cpack
	mkdir -p dist
	cp $(BUILD_PATH)/mailfolder_*.deb $(WINDOWS_BUILD_PATH)/mailfolder-*-windows-x86_64.zip dist/

test-package: package
	bash packaging/check-packages.sh dist

# Timings against the floor on synthetic stores; figures, not tests.
bench:
	cmake -S . -B $(BUILD_PATH)-bench -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Release -DMAILFOLDER_BENCHMARKS=ON \
		-DBUILD_TESTING=OFF $(CMAKE_FLAGS)
	cmake --build $(BUILD_PATH)-bench
	bash bench/run.sh $(BUILD_PATH)-bench

# The report fuzzer, for FUZZ_SECONDS (clang 14 and its runtime: libclang-rt-14-dev).
FUZZ_SECONDS ?= 60
fuzz:
	CXX=clang++-14 cmake -S . -B $(BUILD_PATH)-fuzz -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMAILFOLDER_FUZZ=ON -DBUILD_TESTING=OFF
	cmake --build $(BUILD_PATH)-fuzz
	bash tests/fuzz/run.sh $(BUILD_PATH)-fuzz $(FUZZ_SECONDS)

# Every test again, built with the address, undefined behaviour and leak sanitizers.
test-sanitize:
	cmake -S . -B $(BUILD_PATH)-sanitize -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DMAILFOLDER_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_PATH)-sanitize
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
		ctest --test-dir $(BUILD_PATH)-sanitize --output-on-failure

# clang-tidy, clang-format and cppcheck. clang-tidy reads the compile commands of a tree of its
# own, configured only, without GCC's link-time optimisation flags that clang does not know.
lint:
	cmake -S . -B $(BUILD_PATH)-lint -G "$(GENERATOR)" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON -DMAILFOLDER_LTO=OFF > /dev/null
	bash tests/lint.sh $(BUILD_PATH)-lint

clean:
	rm -rf dist $(BUILD_PATH) $(WINDOWS_BUILD_PATH) $(BUILD_PATH)-bench $(BUILD_PATH)-fuzz $(BUILD_PATH)-sanitize $(BUILD_PATH)-lint
