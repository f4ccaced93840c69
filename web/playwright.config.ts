// The browser edition's tests, in Debian's chromium (nothing is downloaded),
// against the built folder served on 127.0.0.1.
import { defineConfig } from "@playwright/test";

// tests/browser_test.sh picks a free port; 8791 when run by hand.
const port = Number(process.env.SALDINO_PORT ?? "8791");

export default defineConfig({
  testDir: "tests",
  timeout: 60_000,
  workers: 1,
  reporter: [["list"]],
  use: {
    baseURL: `http://127.0.0.1:${port}/`,
    viewport: { width: 800, height: 593 },
    acceptDownloads: true,
    launchOptions: {
      executablePath: process.env.SALDINO_CHROMIUM ?? "/usr/bin/chromium",
      args: [
        "--no-sandbox",
        "--disable-gpu",
        "--disable-quic",
        "--no-first-run",
        "--disable-background-networking",
        "--disable-component-update",
        "--disable-sync",
        // A school server reached over plain HTTP: no secure context.
        "--host-resolver-rules=MAP schule.test 127.0.0.1",
      ],
    },
  },
  webServer: {
    command: `python3 ../scripts/web_server.py ${port} ../build-wasm/browser`,
    url: `http://127.0.0.1:${port}/`,
    reuseExistingServer: false,
    stdout: "ignore",
    timeout: 30_000,
  },
});
