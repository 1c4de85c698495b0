# The two commands: `make test` and `make demo` (see README.md).
.PHONY: test demo package reproducible deps build-host build-host-asan build-win32 build-win64 clean

deps:
	@tools/install-deps.sh

build-host: deps
	cmake --preset host >/dev/null
	cmake --build --preset host

build-host-asan: deps
	cmake --preset host-asan >/dev/null
	cmake --build --preset host-asan

build-win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32

build-win64: deps
	cmake --preset win64 >/dev/null
	cmake --build --preset win64

test: build-host build-host-asan build-win32 build-win64
	ctest --preset host
	ctest --preset host-asan
	tools/wine-run --session ctest --preset win64
	tools/wine-run --session ctest --preset win32

demo: build-win32 build-win64
	tools/demo.sh

# The development archives build/package/thornvale-sdk-VERSION-{x86,x64}.zip:
# the install of each Windows tree (packaging/README.md), and beside each its
# symbol files, thornvale-sdk-VERSION-ARCH-symbols.zip.
package: build-win32 build-win64
	tools/make-package.sh build/win32 build/package
	tools/make-package.sh build/win64 build/package

# Builds the 32-bit shipped binaries a second time in a scratch folder and
# compares them, their symbol files and the archives byte for byte with
# build/win32's (not part of test: it doubles a build).
reproducible: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 --target thornvale_shipped
	tools/check-reproducible.sh build/win32

clean:
	rm -rf build
