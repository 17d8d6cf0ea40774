# Set-up and everyday commands. Every Debian package the build, the tests, the
# benchmarks and the packaging need is listed here and nowhere else.
# Building and running the clock (make run; without a display it runs in a virtual X server
# and leaves a picture of its face):
RUN_PACKAGES := g++ cmake make pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland qt6-l10n-tools \
	qt6-translations-l10n libgl-dev libxcb1-dev \
	fonts-liberation tzdata xvfb xauth xdotool imagemagick
# and what the tests, the benchmarks and the package add (make test, make bench, make package):
TEST_PACKAGES := file dpkg-dev libgtest-dev libbenchmark-dev liberfa-dev \
	x11-utils x11-apps wmmoonclock locales openbox xfwm4 weston xwayland wmctrl \
	desktop-file-utils libglib2.0-bin appstream lintian dbus-daemon \
	sway grim libwayland-dev libwayland-bin
PACKAGES := $(RUN_PACKAGES) $(TEST_PACKAGES)

BUILD ?= build
JOBS ?= $(shell nproc)
# CI builds with warnings as errors (CMakePresets.json).
PRESET ?= $(if $(CI),ci,dev)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# Another program holding the package manager's lock (an update at login) is waited for.
APT_WAIT := -o DPkg::Lock::Timeout=300

.PHONY: deps deps-run configure configure-clock build build-clock test run bench package clean print-run-packages

print-run-packages:
	@echo $(RUN_PACKAGES)

deps: WANTED = $(PACKAGES)
deps-run: WANTED = $(RUN_PACKAGES)
deps deps-run:
	@missing=$$(for p in $(WANTED); do \
		dpkg-query -W -f='$${db:Status-Status}\n' $$p 2>/dev/null | grep -qx installed || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get $(APT_WAIT) update -q && \
		$(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get $(APT_WAIT) install -y --no-install-recommends $$missing </dev/null; \
	fi

configure: deps
	cmake --preset $(PRESET) -B $(BUILD) -DORBALIS_TESTS=ON

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only what running the clock needs, not the tests (a later make test configures them in).
configure-clock: deps-run
	cmake --preset $(PRESET) -B $(BUILD) -DORBALIS_TESTS=OFF

build-clock: configure-clock
	cmake --build $(BUILD) -j $(JOBS) --target orbalis

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Without a display the clock runs a few seconds in a virtual X server and leaves a picture
# of its face behind.
FACE_SHOT := $(BUILD)/orbalis-face.png
run: build-clock
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then cd $(BUILD) && exec ./orbalis --settings orbalis.ini; fi; \
	echo "No display (DISPLAY or WAYLAND_DISPLAY is not set): running the clock in a virtual X server for a few seconds."; \
	cd $(BUILD) && xvfb-run -a -s "-screen 0 320x240x24" sh -c '\
		./orbalis --settings orbalis.ini & clock=$$!; \
		for i in 1 2 3 4 5 6 7 8 9 10; do w=$$(xdotool search --onlyvisible --name "^Orbalis$$" 2>/dev/null | head -n1); \
			[ -n "$$w" ] && break; sleep 0.5; done; \
		sleep 2; [ -n "$$w" ] && import -window "$$w" orbalis-face.png && \
		convert orbalis-face.png \( -size 120x120 xc:black -fill white -draw "circle 59.5,59.5 59.5,-0.5" \) \
			-alpha off -compose CopyOpacity -composite orbalis-face.png; \
		kill $$clock; wait $$clock; [ -n "$$w" ]' \
	&& echo "A picture of the face is in $(FACE_SHOT)."

bench: deps
	cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DORBALIS_BENCH=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/orbalis_bench --benchmark_repetitions=9 \
		--benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true
	bench/idle $(BUILD)-bench/orbalis

package: deps
	cmake -S . -B $(BUILD)-release -DCMAKE_BUILD_TYPE=Release -DORBALIS_TESTS=OFF
	cmake --build $(BUILD)-release -j $(JOBS)
	cd $(BUILD)-release && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-release
