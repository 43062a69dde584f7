// The shared send procedures. They keep the data as cp932 bytes from start to
// end, so a double-byte character that the line takes in part is finished
// byte for byte, never converted back to text.
#pragma once

#include <QByteArray>

#include <cstdint>

// Sends the bytes character by character (lead-byte rule), pumping events
// after every try. XON (11h) and XOFF (13h) go with the single-byte send, past
// the flow hold. Data that flow control holds back is tried again until it
// leaves or StopFlg is 1. A failed write shows ApiErrMsg once, raises StopFlg
// and ends the send.
// length := the character count; written := what the last try took.
// True when everything was sent; false when StopFlg or a failure ended it
// (also a stop raised while pumping after the last character).
bool SendStrData(const QByteArray& bytes, int32_t& length, int32_t& written);

// Sends one byte, retrying while flow control holds it. True when sent; false
// when StopFlg ended it or the write failed (ApiErrMsg once, StopFlg raised).
bool SendOneByte(uint8_t b, int32_t& written);

// A key of the control-code panels (or any caller queueing a key): after the
// port check, XON/XOFF under software flow leave at once with a beep; every
// other key (a byte, or a double-byte cp932 code above FFh) joins KeySendBuf
// while it holds fewer than KeyQueueLimit characters. The lamps are refreshed either way.
void SendKeyByte(uint16_t key);

// True when the key queue can take another character.
bool keySendBufHasRoom();
