# The newcomer's commands: `make run` shows the suite at work, `make test` checks it.
JOBS ?= 2
FUZZ_SECONDS ?= 20
# ccache keys on paths relative to the checkout, so every clone of the project shares one cache.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1

.PHONY: all deps build test test-nogui windows windows-gui-build windows-gui windows-dist run sanitize fuzz bench screenshots install deb clean

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

# The ten window programs for Windows: Qt built once from Debian's source into a cache outside
# the tree (cmake/qt-windows/build-qt.sh; a changed recipe builds anew), the programs built
# against it, and the window tests run under wine on Qt's offscreen platform.
windows-gui-build: deps
	@bash deps/install.sh deps/windows-packages.txt deps/windows-gui-packages.txt
	qt=$$(JOBS=$(JOBS) bash cmake/qt-windows/build-qt.sh) && BRINKIT_QT_WINDOWS="$$qt" cmake --preset windows-gui
	cmake --build --preset windows-gui -j $(JOBS)

windows-gui: windows-gui-build
	ctest --preset windows-gui -j $(JOBS)

# The zip a Windows user unpacks and runs: dist/brinkit-windows-VERSION.zip.
# Every program in it then takes its screenshot under wine, started from the unpacked folder.
windows-dist: windows-gui-build
	bash cmake/qt-windows/dist.sh build-windows-gui dist
	bash cmake/qt-windows/check-dist.sh dist/brinkit-windows-*.zip

run: build
	./build/bin/brinkit demo

# Installs the suite under PREFIX (no root needed for a folder of your own, e.g. ~/.local);
# DESTDIR stages it elsewhere. The man pages come with the Debian package (`make deb`).
PREFIX ?= /usr/local
install: build
	cmake --install build --prefix "$(PREFIX)"

# The Debian package, built from a copy of the sources in build-deb/ (dpkg-buildpackage writes
# beside the source folder) and collected in dist/. The tests are left out (nocheck): they are
# as much code again as the suite and `make test` runs them; DEB_BUILD_OPTIONS= runs them too.
DEB_BUILD_OPTIONS ?= nocheck
deb: deps
	@bash deps/install.sh deps/deb-packages.txt
	rm -rf build-deb dist/brinkit*_* && mkdir -p build-deb/brinkit dist
	tar -cf - --exclude=./.git --exclude='./build*' --exclude=./dist --exclude=./demo-out --exclude=./fuzz-out . | tar -xf - -C build-deb/brinkit
	cd build-deb/brinkit && CCACHE_DIR="$${CCACHE_DIR:-$$HOME/.cache/ccache}" DEB_BUILD_OPTIONS="$(DEB_BUILD_OPTIONS)" \
	  dpkg-buildpackage -b -us -uc -j$(JOBS)
	cp build-deb/*.*deb build-deb/*.buildinfo build-deb/*.changes dist/
	lintian --fail-on error --info dist/*.changes
	desktop-file-validate data/applications/*.desktop
	appstreamcli validate --no-net data/metainfo/*.xml
	@ls -1 dist/*.deb

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

# The README's pictures, taken again from the sample files.
screenshots: build
	bash docs/screenshots/take.sh build/bin

clean:
	rm -rf build build-nogui build-windows build-windows-gui build-sanitize build-fuzz build-bench build-deb dist demo-out
