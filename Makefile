# The newcomer's commands: `make run` shows the suite at work, `make test` checks it.
JOBS ?= 2
FUZZ_SECONDS ?= 20
# ccache keys on paths relative to the checkout, so every clone of the project shares one cache.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps build test test-nogui windows run sanitize fuzz bench clean

all: build

deps:
	@bash deps/install.sh deps/apt-packages.txt

build: deps
	cmake --preset default
	cmake --build --preset default -j $(JOBS)

test: build
	ctest --preset default -j $(JOBS)

# The command line alone, built and tested without Qt.
test-nogui: deps
	cmake --preset nogui
	cmake --build --preset nogui -j $(JOBS)
	ctest --preset nogui -j $(JOBS)

# The command line and its tests built for Windows (MinGW-w64) and run under wine.
windows: deps
	@bash deps/install.sh deps/windows-packages.txt
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS)
	ctest --preset windows -j $(JOBS)

run: build
	./build/bin/brinkit demo

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

fuzz: deps
	@bash deps/install.sh deps/fuzz-packages.txt
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	bash fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

bench: deps
	@bash deps/install.sh deps/bench-packages.txt
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	bash bench/run.sh build-bench

clean:
	rm -rf build build-nogui build-windows build-sanitize build-fuzz build-bench demo-out
