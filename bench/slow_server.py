#!/usr/bin/env python3
"""A loopback HTTP/1.1 server for the parallel benchmark: every request is answered after
DELAY milliseconds with SIZE bytes, connections are kept alive. Prints its port."""
import asyncio
import sys

DELAY = float(sys.argv[1]) / 1000 if len(sys.argv) > 1 else 0.05
SIZE = int(sys.argv[2]) if len(sys.argv) > 2 else 10240
BODY = b"x" * SIZE
HEAD = (b"HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
        b"Content-Length: " + str(SIZE).encode() + b"\r\n\r\n")


async def serve(reader, writer):
    try:
        while True:
            head = await reader.readuntil(b"\r\n\r\n")
            if not head:
                break
            if DELAY > 0:
                await asyncio.sleep(DELAY)
            writer.write(HEAD + BODY)
            await writer.drain()
    except (asyncio.IncompleteReadError, ConnectionError):
        pass
    finally:
        writer.close()


async def main():
    server = await asyncio.start_server(serve, "127.0.0.1", 0, backlog=256)
    print(server.sockets[0].getsockname()[1], flush=True)
    async with server:
        await server.serve_forever()


asyncio.run(main())
