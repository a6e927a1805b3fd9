#!/usr/bin/env python3
"""Writes the seed corpora fuzz/corpus/<target>/ from the fetched genomes
(.cache/genomes, scripts/fetch-data.sh): a few KB cut from real files, plus the
parameter bytes some targets read first. Run from the repository root; the
seeds are committed, so this is only needed to remake them."""
import os
import sys

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
genomes = os.path.join(root, ".cache", "genomes")
corpus = os.path.join(root, "fuzz", "corpus")


def read(name, limit):
    with open(os.path.join(genomes, name), "rb") as f:
        return f.read(limit)


def records(name, count, lines_each):
    """The first lines_each lines of each of the first count records."""
    out, n, kept = [], 0, 0
    with open(os.path.join(genomes, name), "rb") as f:
        for line in f:
            if line.startswith(b">"):
                n += 1
                if n > count:
                    break
                kept = 0
                out.append(line)
            elif kept < lines_each:
                out.append(line)
                kept += 1
    return b"".join(out)


def quality(fasta):
    """A quality file with the headers of fasta and one value per base."""
    out = []
    for line in fasta.splitlines():
        if line.startswith(b">"):
            out.append(line)
        else:
            out.append(b" ".join(str(10 + (c % 31)).encode() for c in line))
    return b"\n".join(out) + b"\n"


def mer_table(fasta, k=32, step=7):
    bases = b"".join(l.strip() for l in fasta.splitlines() if not l.startswith(b">"))
    rows = [bases[i:i + k] + b" " + str(1 + i % 13).encode() for i in range(0, len(bases) - k, step)]
    return b"\n".join(rows[:80]) + b"\n"


mito = read("human-mito.fa", 2500)
contigs = records("B_anthracis_contigs.fa", 4, 6)
dpse = records("D_pseudoobscura_contigs.fa", 3, 5)
longline = read("q-inv.fa", 3500)            # its second line is 5699 characters long
crlf = records("orang-mito.fa", 1, 12).replace(b"\n", b"\r\n")
fastas = {"mito": mito, "contigs": contigs, "dpse": dpse, "longline": longline, "crlf": crlf}
quals = {"mito": quality(records("human-mito.fa", 1, 10)), "contigs": quality(contigs)}
headers = b"".join(l + b"\n" for l in (contigs + dpse + mito).splitlines() if l.startswith(b">"))
numbers = quals["contigs"][:1500]

seeds = {
    "fasta_read": fastas,
    "fasta_read0": fastas,
    "fasta_stream": {k: bytes([60]) + v for k, v in fastas.items()},
    "packed_stream": {k: bytes([80]) + v for k, v in fastas.items()},
    "packed_stream_trim": {k: bytes([80]) + v for k, v in fastas.items()},
    # mode, k, first, last, step, modulus, remainder, then the FASTA text
    "index_load": {"sampled": bytes([0, 12, 0, 1, 3, 11, 0]) + contigs,
                   "thinned": bytes([1, 16, 0, 1, 1, 11, 0]) + mito},
    "qual_read": quals,
    "qual_read_path": quals,
    "qual_readx": quals,
    "qual_read0": quals,
    "repeat_mers": {"table": bytes([31, 3]) + mer_table(mito)},
    # k, scale, step, mode, then source FASTA, "\n==\n", query FASTA
    "engine_cycle": {"contigs": bytes([11, 42, 3, 0]) + contigs + b"\n==\n" + contigs[200:1500],
                     "mito": bytes([31, 10, 0, 1]) + mito + b"\n==\n" + mito[:1200]},
    "ws_string": {"headers": headers, "numbers": numbers},
    "next_double": {"numbers": numbers, "floats": b"-12.5 2.5e-3 1.e5 1.5.3 3e x 10\n" + headers},
    "split": {"comma": b"\x01," + headers.replace(b" ", b","), "blank": b"\x01 " + numbers},
    "cut_string": {"blank": b" " + headers, "pipe": b"|" + headers.replace(b" ", b"|")},
    "ints_from_line": {"numbers": numbers, "headers": headers},
}

for target, files in seeds.items():
    d = os.path.join(corpus, target)
    os.makedirs(d, exist_ok=True)
    for name, data in files.items():
        with open(os.path.join(d, name), "wb") as f:
            f.write(data)
print("seeds written to", corpus, file=sys.stderr)
