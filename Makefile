# The two commands of the README: `make run` and `make test`.
BUILD_DIR ?= build
JOBS ?= 2

.PHONY: deps configure build test bench run clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

run: build
	$(BUILD_DIR)/src/app/qomvi

clean:
	rm -rf $(BUILD_DIR)
