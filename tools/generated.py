"""Files the tools write: written, or with --check only compared (a test
runs each tool so, and fails when a committed file is not what it writes)."""
import sys


def write_or_check(outputs, tool):
    """outputs: {path: bytes}. Exits 1 under --check when a file differs."""
    check = sys.argv[1:] == ["--check"]
    stale = []
    for path, content in outputs.items():
        if check:
            if not path.exists() or path.read_bytes() != content:
                stale.append(path)
        else:
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_bytes(content)
    for path in stale:
        print(f"{path} differs from what tools/{tool} writes: run it", file=sys.stderr)
    sys.exit(1 if stale else 0)
