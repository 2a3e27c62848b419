-- SPDX-License-Identifier: GPL-3.0-or-later
-- The company store, version 3: a correction says what changed. A report a reviewer returns to
-- draft keeps who returned it, when and why; the next save of it is the correction and must
-- carry a note saying what was changed (DX004 otherwise). Once that save is the report's
-- head, the report is a draft like any other. Making the report final again also clears it.

ALTER TABLE dravex.reports
  ADD COLUMN returned_by text,
  ADD COLUMN returned_at timestamptz,
  ADD COLUMN returned_reason text;

CREATE OR REPLACE FUNCTION dravex.save_revision(p_report uuid, p_revision uuid, p_parent uuid,
                                                p_document text, p_sha256 text, p_note text,
                                                p_vessel text, p_voyage text, p_port text,
                                                p_date date, p_operation text, p_grades text,
                                                p_totals text)
RETURNS TABLE (outcome text, head uuid, head_author text, head_at timestamptz)
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $fn$
DECLARE
  v_user text := session_user;
  v_admin boolean := pg_has_role(session_user, 'dravex_admin', 'MEMBER');
  v_report dravex.reports%ROWTYPE;
  v_rev dravex.revisions%ROWTYPE;
  v_parent_report uuid;
BEGIN
  IF p_report IS NULL OR p_revision IS NULL OR p_document IS NULL OR p_sha256 IS NULL THEN
    RAISE EXCEPTION 'a revision needs its report, its own id, its document and its hash'
      USING ERRCODE = 'null_value_not_allowed';
  END IF;
  IF NOT (v_admin OR pg_has_role(session_user, 'dravex_inspector', 'MEMBER')) THEN
    RAISE EXCEPTION 'role % may not save reports', v_user USING ERRCODE = 'insufficient_privilege';
  END IF;

  -- The first revision creates the report. Two first saves at once: one inserts, the other
  -- waits for it and then finds the report.
  INSERT INTO dravex.reports AS r (id, vessel, voyage, port, report_date, operation, grades,
                                   totals, inspector)
  VALUES (p_report, p_vessel, p_voyage, p_port, p_date, p_operation, p_grades, p_totals, v_user)
  ON CONFLICT (id) DO NOTHING;
  SELECT * INTO STRICT v_report FROM dravex.reports r WHERE r.id = p_report FOR UPDATE;

  IF NOT v_admin AND v_report.inspector <> v_user THEN
    RAISE EXCEPTION 'report % is not yours to change', p_report
      USING ERRCODE = 'insufficient_privilege';
  END IF;

  -- The same revision sent again (an outbox sent twice): nothing changes.
  SELECT * INTO v_rev FROM dravex.revisions v WHERE v.id = p_revision;
  IF FOUND THEN
    IF v_rev.report_id <> p_report THEN
      RAISE EXCEPTION 'revision % belongs to another report', p_revision
        USING ERRCODE = 'unique_violation';
    END IF;
    IF v_rev.accepted THEN
      RETURN QUERY SELECT 'replayed'::text, v_rev.id, v_rev.author, v_rev.created_at;
    ELSE
      RETURN QUERY SELECT 'replayed'::text, v_report.head, v_report.head_author, v_report.head_at;
    END IF;
    RETURN;
  END IF;

  IF v_report.status = 'final' THEN
    RAISE EXCEPTION 'report % is final; ask a reviewer to return it to draft', p_report
      USING ERRCODE = 'DX001';
  END IF;

  IF v_report.returned_at IS NOT NULL
     AND btrim(coalesce(p_note, ''), E' \t\r\n') = '' THEN
    RAISE EXCEPTION 'report % was returned to draft by % ("%"): say what the correction changes',
      p_report, v_report.returned_by, v_report.returned_reason
      USING ERRCODE = 'DX004';
  END IF;

  IF p_parent IS NOT NULL THEN
    SELECT v.report_id INTO v_parent_report FROM dravex.revisions v WHERE v.id = p_parent;
    IF v_parent_report IS DISTINCT FROM p_report THEN
      RAISE EXCEPTION 'parent revision % is not a revision of report %', p_parent, p_report
        USING ERRCODE = 'invalid_parameter_value';
    END IF;
  END IF;

  IF v_report.head IS NOT DISTINCT FROM p_parent THEN
    INSERT INTO dravex.revisions (id, report_id, parent, author, sha256, document, note, accepted)
    VALUES (p_revision, p_report, p_parent, v_user, p_sha256, p_document, p_note, true);
    UPDATE dravex.reports r
       SET head = p_revision, head_author = v_user, head_at = now(), vessel = p_vessel,
           voyage = p_voyage, port = p_port, report_date = p_date, operation = p_operation,
           grades = p_grades, totals = p_totals, returned_by = NULL, returned_at = NULL,
           returned_reason = NULL
     WHERE r.id = p_report;
    PERFORM pg_notify('dravex_reports', p_report::text);
    RETURN QUERY SELECT 'saved'::text, p_revision, v_user, now();
  ELSE
    -- Someone saved first: this revision is kept beside it, the head stays.
    INSERT INTO dravex.revisions (id, report_id, parent, author, sha256, document, note, accepted)
    VALUES (p_revision, p_report, p_parent, v_user, p_sha256, p_document, p_note, false);
    RETURN QUERY SELECT 'conflict'::text, v_report.head, v_report.head_author, v_report.head_at;
  END IF;
END
$fn$;

CREATE OR REPLACE FUNCTION dravex.set_status(p_report uuid, p_status text, p_reason text)
RETURNS void
LANGUAGE plpgsql SECURITY DEFINER SET search_path = pg_catalog, pg_temp AS $fn$
DECLARE
  v_status text;
BEGIN
  IF NOT (pg_has_role(session_user, 'dravex_reviewer', 'MEMBER')
          OR pg_has_role(session_user, 'dravex_admin', 'MEMBER')) THEN
    RAISE EXCEPTION 'only reviewers and administrators change a report''s status'
      USING ERRCODE = 'insufficient_privilege';
  END IF;
  IF p_status IS NULL OR p_status NOT IN ('draft', 'final') THEN
    RAISE EXCEPTION 'a report is either draft or final' USING ERRCODE = 'invalid_parameter_value';
  END IF;
  SELECT r.status INTO v_status FROM dravex.reports r WHERE r.id = p_report FOR UPDATE;
  IF NOT FOUND THEN
    RAISE EXCEPTION 'report % is not in the store', p_report USING ERRCODE = 'no_data_found';
  END IF;
  IF v_status = p_status THEN
    RETURN;
  END IF;
  IF p_status = 'draft' AND btrim(coalesce(p_reason, ''), E' \t\r\n') = '' THEN
    RAISE EXCEPTION 'returning report % to draft needs a reason', p_report
      USING ERRCODE = 'DX002';
  END IF;
  PERFORM set_config('dravex.status_reason', coalesce(p_reason, ''), true);
  IF p_status = 'draft' THEN
    UPDATE dravex.reports r
       SET status = p_status, returned_by = session_user, returned_at = now(),
           returned_reason = p_reason
     WHERE r.id = p_report;
  ELSE
    UPDATE dravex.reports r
       SET status = p_status, returned_by = NULL, returned_at = NULL, returned_reason = NULL
     WHERE r.id = p_report;
  END IF;
  PERFORM set_config('dravex.status_reason', '', true);
  PERFORM pg_notify('dravex_reports', p_report::text);
END
$fn$;

INSERT INTO dravex.schema_version (version) VALUES (3);
