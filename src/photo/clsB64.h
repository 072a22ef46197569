#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

/**
 * Standard Base64 (RFC 4648, section 4, with padding, no line breaks) of a
 * file's bytes, for the card's PHOTO property.
 */
class clsB64 {
public:
    /// Fills pbEncodeTable from the character ranges of the alphabet.
    clsB64();

    /**
     * Replaces @p pbArrayOutput by the whole content of the file
     * @p strPathName. Throws Error when the file cannot be read, leaving
     * @p pbArrayOutput as it was.
     */
    void Load(const QString& strPathName, QByteArray& pbArrayOutput) const;

    /// The instructions an encoding may use, slowest first.
    enum class Isa { Scalar, Ssse3, Avx2 };
    /// The fastest this processor runs: the one Encode uses.
    static Isa fastest();

    /// Replaces @p pbArrayOutput by exactly 4 * ceil(n / 3) Base64 codes.
    void Encode(const QByteArray& pbArrayInput, QByteArray& pbArrayOutput) const;
    /// The same, with the instructions of @p isa, which must be no faster than fastest().
    void Encode(const QByteArray& pbArrayInput, QByteArray& pbArrayOutput, Isa isa) const;

    /**
     * The bytes Base64 @p codes spell, exactly as QByteArray::fromBase64
     * gives them (which skips what is no code); four codes at a time with
     * one look-up each when there is nothing to skip, several times faster.
     */
    QByteArray Decode(const QByteArray& codes) const;

    /// Replaces @p strOut by the text the bytes spell: one character per byte.
    void ByteArrayToString(const QByteArray& pbArrayInput, QString& strOut) const;

private:
    void encodeScalar(const std::uint8_t* in, std::size_t n, char* out) const;

    std::array<std::uint8_t, 64> pbEncodeTable;
    /// Two codes for each 12-bit value, so that three bytes take two look-ups.
    std::array<std::uint16_t, 4096> m_pairs;
    /// The offset that turns each class of digit values into its codes.
    std::array<std::int8_t, 16> m_offsets;
    /// For each place in four codes, each code's value moved to its bits of
    /// the three bytes; what is no code has bit 24 set.
    std::array<std::array<std::uint32_t, 256>, 4> m_values;
};
