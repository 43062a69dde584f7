/*
 * tovaline: one serial port for the whole process.
 *
 * The library holds exactly one port, its parameters and flow control, its
 * line states and counters, the receive store (a raw ring of the newest
 * 327,680 bytes and a ring of the newest 2000 text lines), the display page
 * parameters and one capture file. No call takes a port handle.
 *
 * Conventions of every call:
 *  - All state is static and zero at load; nothing is allocated for the caller.
 *    Every buffer is owned and sized by the caller.
 *  - No call shows a message or raises an error: success is a result or an
 *    out-argument. A 16-bit "true" is -1 (TOVALINE_TRUE).
 *  - Texts are cp932 (Shift-JIS), NUL-ended.
 *  - Every counter stops at TOVALINE_COUNT_MAX instead of wrapping.
 *  - Calls never wait, except that a write may wait up to 100 ms for the line
 *    to take the data. Single caller thread; no locks.
 *
 * SendStatus, the (written, ok) pair of every send:
 *    ok -1, written = bytes the line took (all, or the part taken within
 *           100 ms; the caller offers the rest again)          -> sent
 *    ok -1, written 0   -> held back by flow control; try again later
 *    ok  0, written 0   -> the write failed (no port, driver error)
 */
#ifndef TOVALINE_H
#define TOVALINE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(TOVALINE_BUILD)
#define TOVALINE_API __attribute__((visibility("default")))
#else
#define TOVALINE_API
#endif

/* ---- The codes of the interface ------------------------------------------ */

#define TOVALINE_TRUE (-1)

/* Every counter stops here. */
#define TOVALINE_COUNT_MAX 2100000000

/* SetLineSt codes. The call takes an int16_t: 0x8001 and 0x8002 arrive as
 * -32767 and -32766. */
#define TOVALINE_LINE_RTS_OFF 1
#define TOVALINE_LINE_DTR_OFF 2
#define TOVALINE_LINE_RTS_ON (-32767)
#define TOVALINE_LINE_DTR_ON (-32766)

/* ReadModemStatus bits: the library's states, then the driver's lines. */
#define TOVALINE_STATUS_RTS 0x01
#define TOVALINE_STATUS_DTR 0x02
#define TOVALINE_STATUS_XOFF_SENT 0x04
#define TOVALINE_STATUS_XOFF_RECEIVED 0x08
#define TOVALINE_STATUS_CTS 0x10
#define TOVALINE_STATUS_DSR 0x20
#define TOVALINE_STATUS_RI 0x40
#define TOVALINE_STATUS_DCD 0x80

/* ReadErrorStatus mask bits. */
#define TOVALINE_ERROR_RX_OVERFLOW 0x01
#define TOVALINE_ERROR_OVERRUN 0x02
#define TOVALINE_ERROR_PARITY 0x04
#define TOVALINE_ERROR_FRAMING 0x08
#define TOVALINE_ERROR_BREAK 0x10

/* ReadDisp page modes. */
#define TOVALINE_PAGE_TEXT 0
#define TOVALINE_PAGE_HEX 1
#define TOVALINE_PAGE_UNSIGNED 2
#define TOVALINE_PAGE_SIGNED 3
#define TOVALINE_PAGE_NAMES 4
#define TOVALINE_PAGE_BITS 5

/* The code of ReadDispGraph that asks for the bit-edge counters. */
#define TOVALINE_GRAPH_BIT_COUNTS 30

/* LogStart capture modes. */
#define TOVALINE_LOG_RAW_LIMITED 0
#define TOVALINE_LOG_DLE 1
#define TOVALINE_LOG_UP_TO_EOF 2
#define TOVALINE_LOG_RAW 3

/* LogCont results. */
#define TOVALINE_LOG_CONTINUE (-1)
#define TOVALINE_LOG_FINISHED 1
#define TOVALINE_LOG_WRITE_ERROR 0

/* The capture total the receive calls give once a capture ended: a write
 * error, or the end of a framed transfer. */
#define TOVALINE_LOG_ENDED (-1)

/* ReadDLEend codes. */
#define TOVALINE_DLE_OK 0
#define TOVALINE_DLE_SEQUENCE_ERROR 1
#define TOVALINE_DLE_WRITE_ERROR 2
#define TOVALINE_DLE_CANCELLED 3

/* ---- Port open, parameters, close ------------------------------------- */

/* Opens "COM1".."COM255" (ports/COMn beside the library, else /dev/ttyS<n-1>)
 * or a device path starting with "/". A port already open is closed first.
 * Raises DTR and RTS and counts RTS on and DTR on. Returns -1 opened, 0 failed. */
TOVALINE_API int16_t OpenCommPort(const char* portName);

/* Applies the parameter text "speed,parity,data,stop,flow" (for example
 * "9600,0,8,0,0"). Parity 0 none 1 even 2 odd 3 mark 4 space; data 7 or 8;
 * stop 0 one, 1 two, 2 one and a half; flow 0 none, 1 RTS/CTS, other XON/XOFF.
 * A field out of range leaves the port's setting. The speed is applied only
 * when it is one of the classic rates. Returns nonzero applied, 0 refused.
 * The flow code, the data-bits state and the XOFF states change even on refusal. */
TOVALINE_API int32_t SetCommPortParam(const char* paramText);

/* As SetCommPortParam with any positive speed (0 or below is refused);
 * *bps := the speed set, 0 on refusal. The driver may refuse a speed or a
 * frame it cannot hold exactly (a speed more than 3 % off counts as refused). */
TOVALINE_API int32_t SetCommPortParamAnyBPS(const char* paramText, int32_t* bps);

/* *bps := the port's speed, 0 with no port. */
TOVALINE_API void ReadBPS(int32_t* bps);

/* Lowers DTR and RTS, discards both queues, closes; counts RTS off and DTR off
 * for lines that were on. Nothing with no port. Keeps the store and the capture. */
TOVALINE_API void CloseCommPort(void);

/* ---- Sending, line signals, break ------------------------------------- */

/* Sends `length` bytes under the library's own flow control (SendStatus):
 * FlowCode 1 holds while CTS is off (a modem status the driver cannot read is
 * a failure), any other nonzero FlowCode while the peer's last flow character
 * was XOFF. A negative length sends nothing and reports written 0, ok -1. */
TOVALINE_API void SendData(const char* data, int32_t length, int32_t* written, int16_t* ok);
TOVALINE_API void SendDataByteNS(const uint8_t* data, int32_t length, int32_t* written,
                                 int16_t* ok);
/* Sends the one byte `byte` (its low 8 bits; any length of 1 or more sends
 * that one byte, below 1 nothing). Under XON/XOFF flow the
 * bytes 11h and 13h leave even while the peer has sent XOFF. */
TOVALINE_API void SendDataByte(int32_t byte, int32_t length, int32_t* written, int16_t* ok);
/* Sends the one byte with no flow check at all. */
TOVALINE_API void SendDataByteNonFlow(int32_t byte, int32_t length, int32_t* written, int16_t* ok);

/* 1 RTS off, 2 DTR off, 0x8001 (-32767) RTS on, 0x8002 (-32766) DTR on.
 * Returns the driver's result; any other code is returned unchanged, with no effect. */
TOVALINE_API int32_t SetLineSt(int16_t code);
/* Break condition on / off; the driver's result (nonzero ok). */
TOVALINE_API int32_t SetBreak(void);
TOVALINE_API int32_t ClearBreak(void);

/* *total := bytes sent since the last ClearSendSu. */
TOVALINE_API void ReadSendSu(int32_t* total);
TOVALINE_API void ClearSendSu(void);

/* Plain copy of `length` bytes; a negative length copies nothing. */
TOVALINE_API void AppMoveMemory(void* destination, const void* source, int32_t length);

/* ---- Line status and counters ------------------------------------------ */

/* *status := 01h RTS, 02h DTR, 04h XOFF sent, 08h XOFF received (library
 * states), 10h CTS, 20h DSR, 40h RI, 80h DCD (driver). Counts the edges of
 * CTS, DSR, DCD and RI since the last reading. Without a port (or when the
 * driver cannot report) only the library's four bits are set and nothing is
 * counted. */
TOVALINE_API void ReadModemStatus(int32_t* status);
/* The current modem lines become the baseline of the edge counting. */
TOVALINE_API void ResetStatus(void);

/* Reads and clears the line errors; returns the error mask (01h input
 * overflow, 02h overrun, 04h parity, 08h framing, 10h break). Sets an out to 1
 * when its bit is set and never sets one to 0: the caller zeroes them first.
 * With no port returns 0 and touches nothing. */
TOVALINE_API int32_t ReadErrorStatus(int16_t* overrun, int16_t* parity, int16_t* framing,
                                     int16_t* brk);
/* No effect. */
TOVALINE_API void ResetErrorStatus(int32_t ignored);

/* The 16 line counters: 0 XOFF received, 1 XON received, 2 XOFF sent,
 * 3 XON sent, 4 RTS on, 5 DTR on, 6-9 rising edges of CTS, DSR, DCD, RI,
 * 10 RTS off, 11 DTR off, 12-15 falling edges of CTS, DSR, DCD, RI. */
TOVALINE_API void ReadCount(int32_t* c0, int32_t* c1, int32_t* c2, int32_t* c3, int32_t* c4,
                            int32_t* c5, int32_t* c6, int32_t* c7, int32_t* c8, int32_t* c9,
                            int32_t* c10, int32_t* c11, int32_t* c12, int32_t* c13, int32_t* c14,
                            int32_t* c15);
/* index 0..15 stores value unchanged; -1 clears all sixteen; others nothing. */
TOVALINE_API void SetClearCount(int16_t index, int32_t value);

/* The 256 per-byte-value counts of one side: 0 received, any other sent.
 * counts256 must hold 256 values. */
TOVALINE_API void ReadCodeCounter(int32_t* counts256, int16_t side);
/* Sets the count of one byte value (0..255; others are ignored). */
TOVALINE_API void ClearCodeCounter(int16_t code, int32_t value, int16_t side);

/* Bit-edge counters: 0..7 clears the counter of bit 7..0; above 7 clears all
 * eight; negative values are ignored. */
TOVALINE_API void BitOnCountClear(int16_t bit);

/* ---- Receive store and receive calls ----------------------------------- */

/* Takes what is queued, up to `max` bytes and never waiting, past the receive
 * store (nothing counted or stored). Returns nonzero ok; on failure (also when
 * the port's device has gone: a hang-up) *read := 0 and result 0. */
TOVALINE_API int32_t RcvData(uint8_t* buf, int32_t max, int32_t* read);

/* The receive call with a formatted page. With readFlag nonzero it takes what
 * the driver has queued (at most 16384 bytes, never waiting), counts and
 * stores it, and captures it when logFlag is 1 (logTotal updated; -1 signals
 * a write error or the end of a DLE-framed transfer). Then it formats the page
 * of `mode` (0 text lines, 1 hex, 2 unsigned, 3 signed decimal, 4 character
 * names, 5 bits) starting at `start` (only its low 16 bits count; -1 = the
 * newest page) into `page`. *total := lines (mode 0), rows (1-4) or bytes (5).
 * *bytesRead := bytes taken; *ok := -1, or 0 when the read failed (also when
 * the port's device has gone: a hang-up, reported on every call after it).
 * The page of 16 lines of 80 columns fits 1800 bytes. */
TOVALINE_API void ReadDisp(char* page, int32_t* pageLen, int32_t start, int32_t* bytesRead,
                           int32_t* total, int16_t logFlag, int32_t* logTotal, int16_t* ok,
                           int16_t readFlag, int16_t mode);

/* The receive call with raw bytes: the n bytes from `start` (counted from
 * the oldest stored byte; -1 = the n newest) into buf, *bufLen := bytes copied,
 * *total := bytes stored. With code TOVALINE_GRAPH_BIT_COUNTS buf receives the
 * eight bit-edge counters instead (32 bytes, little-endian, bit 7 first) and
 * *total is untouched. */
TOVALINE_API void ReadDispGraph(uint8_t* buf, int32_t* bufLen, int32_t start, int32_t* bytesRead,
                                int32_t* total, int16_t logFlag, int32_t* logTotal, int16_t* ok,
                                int16_t readFlag, int16_t count, int16_t code);

/* ---- Display parameters and snapshots ------------------------------------ */

/* Empties both rings and sets lines per page, columns (at most 252), and
 * whether a received CR / LF ends a text line (flag 1). ignored1/2 unused. */
TOVALINE_API void OpenDisp(int16_t lines, int16_t columns, int16_t ignored1, int16_t ignored2,
                           int16_t crFlag, int16_t lfFlag);
/* As OpenDisp without emptying the rings. */
TOVALINE_API void SetParaDisp(int16_t lines, int16_t columns, int16_t ignored1, int16_t ignored2,
                              int16_t crFlag, int16_t lfFlag);
/* 32 two-byte entries, one per code 00h-1Fh: FF FF nothing, FF 2E ".",
 * any other pair a double-byte symbol. All 64 bytes are taken. */
TOVALINE_API void SetControlCodeDisp(const char* table64);

/* Every stored text line, oldest first (at most 2000 x 256 bytes). */
TOVALINE_API void ReadDispAll(char* buf, int32_t* length, int32_t ignored1, int32_t ignored2,
                              int32_t* lines);
/* The whole raw ring, oldest first (buf holds 327,680 bytes). Returns 1. */
TOVALINE_API int16_t ReadDispHex(uint8_t* buf, int32_t* count, int32_t ignored1, int32_t ignored2,
                                 int32_t ignored3);
/* The newest n raw bytes, oldest first; with dotFlag 1 bytes 00h-1Fh other
 * than CR and LF come back as ".". Returns 1; -1 with *count 0 when refused. */
TOVALINE_API int32_t ReadDispHexLen(char* buf, int32_t* count, int32_t n, int16_t dotFlag);

/* ---- Capture file --------------------------------------------------------- */

/* Opens the capture file (created, NOT truncated; a running capture is closed
 * first). mode 0 raw up to `limit` bytes, 1 DLE-decoded, 2 up to 1Ah (LogCont
 * only), 3 raw without limit. Returns -1 opened, 0 failed. */
TOVALINE_API int32_t LogStart(const char* path, int16_t mode, int32_t limit);
/* One read straight into the capture file: -1 continue, 1 finished, 0 write
 * error; *length := bytes handled. */
TOVALINE_API int32_t LogCont(int32_t* length);
/* Closes the capture file; returns -1. */
TOVALINE_API int32_t LogStop(void);
/* Outcome of DLE decoding: 0 running or ended normally, 1 sequence error,
 * 2 write error, 3 cancelled by the peer. */
TOVALINE_API int32_t ReadDLEend(void);

#ifdef __cplusplus
}
#endif

#endif /* TOVALINE_H */
