#!/usr/bin/python3
"""Times the shrink_bench jobs with Pillow's box filter, for comparison."""
import random
import sys
import time
import timeit

from PIL import Image

SIZES = [((800, 600), (200, 150)), ((1024, 768), (300, 225)),
         ((1280, 1024), (160, 128)), ((800, 600), (600, 450))]


def random_picture(size):
    rng = random.Random(42)
    return Image.frombytes("RGB", size, rng.randbytes(size[0] * size[1] * 3))


def best_microseconds(job, repeat=7):
    """Best CPU time per call: the machine is shared, as shrink_bench's CPU column is."""
    timer = timeit.Timer(job, timer=time.process_time)
    runs, _ = timer.autorange()
    return min(timer.repeat(number=runs, repeat=repeat)) / runs * 1e6


def main():
    print(f"Pillow {Image.__version__}, Python {sys.version.split()[0]}")
    for source_size, size in SIZES:
        picture = random_picture(source_size)
        name = f"{source_size[0]}x{source_size[1]} -> {size[0]}x{size[1]}"
        box = best_microseconds(lambda: picture.resize(size, Image.BOX))
        print(f"resize BOX  {name}: {box:9.1f} us")
        factor = source_size[0] // size[0]
        if source_size[0] % size[0] == 0 and source_size[1] == size[1] * factor:
            reduce = best_microseconds(lambda: picture.reduce(factor))
            print(f"reduce({factor})   {name}: {reduce:9.1f} us")


if __name__ == "__main__":
    main()
